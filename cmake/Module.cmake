# One library per source folder. Sources are picked up from the folder and its
# sub-folders so that adding a file needs no edit here.
function(vantor_module name)
  cmake_parse_arguments(ARG "" "" "DEPS" ${ARGN})
  file(GLOB_RECURSE sources CONFIGURE_DEPENDS
    ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/*.qrc)
  # main.cpp belongs to the executable, never to a module library.
  list(FILTER sources EXCLUDE REGEX "/main\\.cpp$")
  if(NOT sources)
    # A module whose pieces have not been written yet still takes part in the layering.
    add_library(vantor_${name} INTERFACE)
    target_include_directories(vantor_${name} INTERFACE ${PROJECT_SOURCE_DIR}/src)
    target_link_libraries(vantor_${name} INTERFACE ${ARG_DEPS})
    return()
  endif()
  file(GLOB_RECURSE headers CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.h)
  add_library(vantor_${name} STATIC ${sources} ${headers})
  target_include_directories(vantor_${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
  target_link_libraries(vantor_${name} PUBLIC ${ARG_DEPS})
  vantor_warnings(vantor_${name})
endfunction()

# One test program per module; every test case becomes a CTest test. RUN_UNDER:
# a command the program runs inside, for discovery and for each test (as
# "dbus-run-session --" gives each its own session bus).
function(vantor_test name)
  cmake_parse_arguments(ARG "" "" "DEPS;RUN_UNDER" ${ARGN})
  file(GLOB_RECURSE sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  if(NOT sources)
    return()
  endif()
  add_executable(test_${name} ${sources})
  target_include_directories(test_${name} PRIVATE ${PROJECT_SOURCE_DIR}/tests ${PROJECT_SOURCE_DIR}/src)
  target_link_libraries(test_${name} PRIVATE ${ARG_DEPS} vantor_testsupport GTest::gtest GTest::gmock)
  vantor_warnings(test_${name})
  # Tests play the generated media (VANTOR_TEST_DATA).
  if(TARGET vantor_media_files)
    add_dependencies(test_${name} vantor_media_files)
  endif()
  # ... and read the help file.
  if(TARGET vantor_help_file)
    add_dependencies(test_${name} vantor_help_file)
  endif()
  if(ARG_RUN_UNDER)
    set_target_properties(test_${name} PROPERTIES CROSSCOMPILING_EMULATOR "${ARG_RUN_UNDER}")
  endif()
  # One variable only: a list here would be split into separate properties.
  # TestMain chooses the offscreen platform itself.
  gtest_discover_tests(test_${name}
    PROPERTIES ENVIRONMENT "VANTOR_TEST_DATA=${CMAKE_BINARY_DIR}/bin"
    DISCOVERY_TIMEOUT 60)
endfunction()
