# Our own code builds warning-free; third-party headers are included as system headers.
set(ZAVEL_WARNINGS -Wall -Wextra -Werror)
# g++ 12 at -O3 (Release) reports false overlaps in std::string concatenation (GCC bug 105329).
if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
  list(APPEND ZAVEL_WARNINGS -Wno-restrict)
endif()

# One static library per layer, made of every source below its folder.
function(zavel_layer name dir)
  file(GLOB_RECURSE sources CONFIGURE_DEPENDS ${dir}/*.cpp)
  list(FILTER sources EXCLUDE REGEX ".*/main\\.cpp$")
  if(NOT sources)
    # A layer with no code yet still links, so the layers above it build.
    set(sources ${PROJECT_SOURCE_DIR}/cmake/empty.cpp)
  endif()
  add_library(${name} STATIC ${sources})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
  target_compile_options(${name} PRIVATE ${ZAVEL_WARNINGS})
endfunction()

# One GoogleTest executable per layer, made of every test source below its folder.
function(zavel_tests name dir)
  file(GLOB_RECURSE sources CONFIGURE_DEPENDS ${dir}/*.cpp)
  if(NOT sources)
    return()
  endif()
  add_executable(${name} ${sources})
  target_compile_options(${name} PRIVATE ${ZAVEL_WARNINGS})
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/tests)
  target_link_libraries(${name} PRIVATE ${ARGN} GTest::gtest GTest::gmock GTest::gtest_main)
  zavel_copy_resources(${name})
  # Beside the build tree's resources/, as the program finds them.
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${PROJECT_BINARY_DIR})
  gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60)
endfunction()

# The shipped fonts live in resources/fonts/ of every build tree, beside the executables.
set(ZAVEL_FONT_SOURCE ${PROJECT_SOURCE_DIR}/.cache/fonts)
function(zavel_copy_resources target)
  add_dependencies(${target} zavel_resources)
endfunction()
