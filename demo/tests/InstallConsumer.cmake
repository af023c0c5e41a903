# Installs the module into a fresh prefix and checks that it holds exactly the public headers,
# installs the stand-in host (the DemoHost component) into another, then configures, builds and
# runs a small program that finds both with find_package.
set(prefix ${WORK_DIR}/prefix)
set(demo_host ${WORK_DIR}/demo-host)
set(consumer_build ${WORK_DIR}/build)
file(REMOVE_RECURSE ${WORK_DIR})

function(run what)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "${what} failed (${result}):\n${output}")
  endif()
  set(run_output "${output}" PARENT_SCOPE)
endfunction()

run("Installing ${BUILD_DIR}" ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${prefix})
file(GLOB_RECURSE installed RELATIVE ${prefix}/include ${prefix}/include/*)
string(REPLACE "|" ";" public_headers "${PUBLIC_HEADERS}")
set(expected "")
foreach(header ${public_headers})
  list(APPEND expected OrbModuleLauncher/${header})
endforeach()
list(SORT installed)
list(SORT expected)
if(NOT installed STREQUAL expected)
  message(FATAL_ERROR "The install tree's headers are not the public ones.\nInstalled: ${installed}\nExpected: ${expected}")
endif()

run("Installing the stand-in host" ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${demo_host} --component DemoHost)
run("Configuring the consumer" ${CMAKE_COMMAND} -S ${CONSUMER_SOURCE} -B ${consumer_build}
    -DCMAKE_PREFIX_PATH=${prefix} -DOrbLauncherDemoHost_ROOT=${demo_host}
    -DCMAKE_BUILD_TYPE=${BUILD_TYPE} "-DCMAKE_CXX_FLAGS=${CXX_FLAGS}")
run("Building the consumer" ${CMAKE_COMMAND} --build ${consumer_build})
run("Running the consumer" ${consumer_build}/orb-launcher-consumer)
message(STATUS "${run_output}")
