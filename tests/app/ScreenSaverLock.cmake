# Included by ctest after the discovered tests of test_app were added.
set_tests_properties(${test_app_TESTS} PROPERTIES RESOURCE_LOCK taleno_x_screen_saver)
