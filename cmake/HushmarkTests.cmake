# hm_test(NAME SOURCES ... LIBS ... [PORTABLE])
# One test program, one CTest entry. Windows test programs run under Wine in the run's
# sandbox (made once by the "sandbox" fixture); PORTABLE ones also build natively.
enable_testing()

if(NOT HUSHMARK_NATIVE)
  add_test(NAME sandbox.setup
           COMMAND ${CMAKE_SOURCE_DIR}/tools/make-sandbox --fresh ${HUSHMARK_SANDBOX})
  add_test(NAME sandbox.cleanup
           COMMAND ${CMAKE_SOURCE_DIR}/tools/stop-sandbox ${HUSHMARK_SANDBOX})
  set_tests_properties(sandbox.setup PROPERTIES FIXTURES_SETUP sandbox)
  set_tests_properties(sandbox.cleanup PROPERTIES FIXTURES_CLEANUP sandbox)
endif()

function(hm_test name)
  cmake_parse_arguments(T "PORTABLE" "" "SOURCES;LIBS" ${ARGN})
  if(HUSHMARK_NATIVE AND NOT T_PORTABLE)
    return()
  endif()
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE ${T_LIBS} gtest gtest_main)
  add_test(NAME ${name} COMMAND ${name})
  if(NOT HUSHMARK_NATIVE)
    add_dependencies(${name} install-tree)
    set_tests_properties(${name} PROPERTIES
      FIXTURES_REQUIRED sandbox
      ENVIRONMENT "HUSHMARK_SANDBOX=${HUSHMARK_SANDBOX}"
      TIMEOUT 900)
  endif()
endfunction()

# A test written as a shell script, run on the host.
function(hm_script_test name script)
  add_test(NAME ${name} COMMAND bash ${script} ${ARGN})
  set_tests_properties(${name} PROPERTIES ENVIRONMENT "HUSHMARK_BUILD=${CMAKE_BINARY_DIR}")
endfunction()
