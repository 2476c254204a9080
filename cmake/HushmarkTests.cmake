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

# Sandboxes of the other layouts (tools/make-sandbox --layout), one folder and one
# fixture each, made only when a test of that layout runs.
function(hm_layout_sandbox layout)
  if(HUSHMARK_NATIVE OR TEST sandbox-${layout}.setup)
    return()
  endif()
  set(dir ${CMAKE_BINARY_DIR}/sandbox/${layout})
  add_test(NAME sandbox-${layout}.setup
           COMMAND ${CMAKE_SOURCE_DIR}/tools/make-sandbox --fresh --layout ${layout} ${dir})
  add_test(NAME sandbox-${layout}.cleanup COMMAND ${CMAKE_SOURCE_DIR}/tools/stop-sandbox ${dir})
  set_tests_properties(sandbox-${layout}.setup PROPERTIES FIXTURES_SETUP sandbox-${layout})
  set_tests_properties(sandbox-${layout}.cleanup PROPERTIES FIXTURES_CLEANUP sandbox-${layout})
endfunction()

# hm_layout_test(NAME TARGET LAYOUT [ENV VAR=VALUE ...] [ARGS ...])
# A test program already built by hm_test, run again in a sandbox of another layout.
function(hm_layout_test name target layout)
  cmake_parse_arguments(T "" "" "ENV;ARGS" ${ARGN})
  if(HUSHMARK_NATIVE)
    return()
  endif()
  hm_layout_sandbox(${layout})
  set(env HUSHMARK_SANDBOX=${CMAKE_BINARY_DIR}/sandbox/${layout} ${T_ENV})
  add_test(NAME ${name} COMMAND ${target} ${T_ARGS})
  set_tests_properties(${name} PROPERTIES
    FIXTURES_REQUIRED sandbox-${layout}
    ENVIRONMENT "${env}"
    TIMEOUT 900)
endfunction()
