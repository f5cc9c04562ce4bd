# The Windows programs' icon and version resource (app/win32/resources), compiled with the
# toolchain's resource compiler into lotto739.exe and lotto739-cli.exe, and into the GUI test
# driver, which runs the program's start-up path and so should carry the same resources.
enable_language(RC)

function(lotto_windows_resources target description)
  set(lotto_rc_name ${target})
  set(lotto_rc_description ${description})
  set(lotto_rc_icon ${PROJECT_SOURCE_DIR}/app/win32/resources/lotto739.ico)
  set(rc ${PROJECT_BINARY_DIR}/resources/${target}.rc)
  configure_file(${PROJECT_SOURCE_DIR}/app/win32/resources/version.rc.in ${rc} @ONLY)
  target_sources(${target} PRIVATE ${rc})
  set_property(SOURCE ${rc} TARGET_DIRECTORY ${target} APPEND PROPERTY OBJECT_DEPENDS
    ${lotto_rc_icon})
endfunction()

lotto_windows_resources(lotto739 "lotto739, filters for the pick-7 lottery with 39 numbers")
lotto_windows_resources(lotto739-cli "lotto739 command line")
if(TARGET lotto739-gui-tests)
  lotto_windows_resources(lotto739-gui-tests "lotto739 GUI test driver")
endif()
