mw_test(cli_tests cli/cli_test.cpp cli/cli_run.cpp)
add_dependencies(cli_tests markupwright-cli)
mw_test(cli_site_tests cli/site_cli_test.cpp cli/cli_run.cpp)
add_dependencies(cli_site_tests markupwright-cli)
