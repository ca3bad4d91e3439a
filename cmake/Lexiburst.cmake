# Shared build settings: warnings as errors for our own code, optional sanitizers,
# and one helper that registers a Qt Test executable with CTest.

if(LEXIBURST_SANITIZE)
  set(LEXIBURST_SANITIZER_FLAGS -fsanitize=address,undefined -fno-sanitize-recover=undefined
                                -fno-omit-frame-pointer)
  add_compile_options(${LEXIBURST_SANITIZER_FLAGS})
  add_link_options(${LEXIBURST_SANITIZER_FLAGS})
endif()

# Optimised builds get Debian's usual hardening: fortified libc calls (they need
# the optimiser), a strong stack protector, position-independent programs and
# relocations made read-only once bound at start.
set(LEXIBURST_OPTIMISED $<CONFIG:Release,RelWithDebInfo,MinSizeRel>)
add_compile_options($<${LEXIBURST_OPTIMISED}:-U_FORTIFY_SOURCE>
                    $<${LEXIBURST_OPTIMISED}:-D_FORTIFY_SOURCE=2>
                    $<${LEXIBURST_OPTIMISED}:-fstack-protector-strong>
                    $<${LEXIBURST_OPTIMISED}:-fPIE>)
add_link_options($<${LEXIBURST_OPTIMISED}:-pie> $<${LEXIBURST_OPTIMISED}:LINKER:-z,relro,-z,now>)

# Applies our warning policy to a target built from our own sources.
function(lexiburst_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Werror)
endfunction()

# lexiburst_add_library(name SOURCES ... LIBS ...): a static library of one subsystem.
function(lexiburst_add_library name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_library(${name} STATIC ${ARG_SOURCES})
  target_include_directories(${name} PUBLIC ${CMAKE_CURRENT_SOURCE_DIR}/..)
  target_link_libraries(${name} PUBLIC ${ARG_LIBS})
  lexiburst_warnings(${name})
endfunction()

set(LEXIBURST_LSAN_SUPPRESSIONS ${PROJECT_SOURCE_DIR}/tests/lsan.supp)

# lexiburst_add_test(name SOURCES ... LIBS ... [TIMEOUT s]): one Qt Test executable.
function(lexiburst_add_test name)
  cmake_parse_arguments(ARG "" "TIMEOUT" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE Qt6::Test ${ARG_LIBS})
  # tests/support: what tests share (ports, the host harness, the scripted player).
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/tests/support)
  lexiburst_warnings(${name})
  add_test(NAME ${name} COMMAND ${name})
  if(NOT ARG_TIMEOUT)
    set(ARG_TIMEOUT 300)
  endif()
  set_tests_properties(${name} PROPERTIES TIMEOUT ${ARG_TIMEOUT}
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;LSAN_OPTIONS=suppressions=${LEXIBURST_LSAN_SUPPRESSIONS}:print_suppressions=0;ASAN_OPTIONS=detect_leaks=1:abort_on_error=0;UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1;QT_LOGGING_RULES=qt.multimedia*=false")
endfunction()

# lexiburst_add_tests_per_file(prefix LIBS ...): one test executable per
# tst_*.cpp file of the calling folder, named prefix + the file's stem.
function(lexiburst_add_tests_per_file prefix)
  cmake_parse_arguments(ARG "" "" "LIBS" ${ARGN})
  file(GLOB test_sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/tst_*.cpp)
  foreach(src ${test_sources})
    get_filename_component(stem ${src} NAME_WE)
    string(REPLACE "tst_" "${prefix}" name ${stem})
    lexiburst_add_test(${name} SOURCES ${src} LIBS ${ARG_LIBS})
  endforeach()
endfunction()
