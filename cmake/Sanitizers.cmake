# VESTRON_SANITIZE=ON builds everything with AddressSanitizer (leaks included) and
# UndefinedBehaviorSanitizer; any finding stops the program. .ci/run uses it for its
# second build folder.
option(VESTRON_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)
if(VESTRON_SANITIZE)
  set(vestron_sanitize_flags -fsanitize=address,undefined -fno-sanitize-recover=all
      -fno-omit-frame-pointer)
  add_compile_options(${vestron_sanitize_flags})
  add_link_options(${vestron_sanitize_flags})
  # The run-time options every test of this build gets (CTest passes them on).
  set(VESTRON_SANITIZER_ENVIRONMENT
    "ASAN_OPTIONS=detect_leaks=1:halt_on_error=1:abort_on_error=1:detect_stack_use_after_return=0:strict_string_checks=1:check_initialization_order=1"
    "UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1"
    "LSAN_OPTIONS=suppressions=${CMAKE_SOURCE_DIR}/tests/sanitizers/lsan.supp:print_suppressions=0")
endif()

# Gives the named tests the sanitizer options (a no-op without the sanitizers).
function(vestron_sanitize_tests)
  if(VESTRON_SANITIZE)
    set_property(TEST ${ARGN} APPEND PROPERTY ENVIRONMENT ${VESTRON_SANITIZER_ENVIRONMENT})
  endif()
endfunction()

# Tests that run the web view: the web engine deletes some of its own objects through a
# base of another size, which the new/delete size check reports on every page load. The
# check stays on for every other test program (see tests/sanitizers/lsan.supp).
function(vestron_sanitize_web_engine_tests)
  if(VESTRON_SANITIZE)
    set_property(TEST ${ARGN} APPEND PROPERTY ENVIRONMENT_MODIFICATION
      "ASAN_OPTIONS=string_append::new_delete_type_mismatch=0")
  endif()
endfunction()
