mw_test(cli_tests cli/cli_test.cpp cli/cli_run.cpp)
add_dependencies(cli_tests markupwright-cli)
