# Included by ctest after the discovered tests of test_platform were added:
# the screen-saver guard tests change the X session's time-outs, as the
# end-to-end player tests do, so they share one lock under ctest -j.
set(screen_saver_tests ${test_platform_TESTS})
list(FILTER screen_saver_tests INCLUDE REGEX "ScreenSaver")
if(screen_saver_tests)
  set_tests_properties(${screen_saver_tests} PROPERTIES RESOURCE_LOCK taleno_x_screen_saver)
endif()
