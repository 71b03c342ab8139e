# Warnings and sanitizers for our own code.
set(VUR_WARNINGS -Wall -Wextra -Werror)
# GCC 12 reports std::string concatenation in optimised builds as overlapping copies
# (a false positive of its -Wrestrict inside libstdc++).
if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
  list(APPEND VUR_WARNINGS -Wno-restrict)
endif()
if(VUR_SANITIZE)
  set(VUR_SAN_FLAGS -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
elseif(VUR_FUZZ)
  set(VUR_SAN_FLAGS -fsanitize=fuzzer-no-link,address,undefined -fno-omit-frame-pointer)
else()
  set(VUR_SAN_FLAGS)
endif()

function(vur_flags target)
  target_compile_options(${target} PRIVATE ${VUR_WARNINGS} ${VUR_SAN_FLAGS})
  target_link_options(${target} PRIVATE ${VUR_SAN_FLAGS})
endfunction()

# vur_library(NAME DIR DEPS...): a shared library of every .cpp in DIR.
function(vur_library name dir)
  file(GLOB srcs CONFIGURE_DEPENDS ${dir}/*.cpp)
  if(NOT srcs)
    add_library(${name} INTERFACE)
    target_include_directories(${name} INTERFACE ${PROJECT_SOURCE_DIR}/platform ${PROJECT_SOURCE_DIR})
    target_link_libraries(${name} INTERFACE ${ARGN})
    return()
  endif()
  add_library(${name} SHARED ${srcs})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/platform ${PROJECT_SOURCE_DIR})
  target_link_libraries(${name} PUBLIC ${ARGN})
  vur_flags(${name})
endfunction()

# vur_tests(NAME DIR DEPS...): one GoogleTest executable of every .cpp in DIR.
function(vur_tests name dir)
  file(GLOB srcs CONFIGURE_DEPENDS ${dir}/*.cpp)
  if(NOT srcs)
    return()
  endif()
  add_executable(${name} ${srcs})
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/tests)
  target_link_libraries(${name} PRIVATE ${ARGN} GTest::gtest GTest::gtest_main)
  vur_flags(${name})
  gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60 PROPERTIES TIMEOUT 600)
endfunction()
include(GoogleTest)

# vur_resources(TARGET RC HEADER): compiles a resource script into a template table
# linked into TARGET; the table registers itself with the resource chain under TARGET's name.
function(vur_resources target rc header)
  get_filename_component(base ${rc} NAME_WE)
  set(out ${CMAKE_CURRENT_BINARY_DIR}/${target}_${base}_res.cpp)
  add_custom_command(OUTPUT ${out}
    COMMAND rcgen ${rc} ${header} ${out} ${target}
    DEPENDS rcgen ${rc} ${header}
    COMMENT "Compiling resources ${rc}")
  target_sources(${target} PRIVATE ${out})
endfunction()
