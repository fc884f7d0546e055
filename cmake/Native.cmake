# The native build: the plain-C++ folders, their unit tests and the fuzzers, compiled with
# the host's compiler under AddressSanitizer and UndefinedBehaviorSanitizer, so a fault
# stops the test that found it. The files that call Windows (named *_win32.cpp) stay out;
# the *_native.cpp files stand in for the few platform functions plain code calls.
set(qf_sanitizers -fsanitize=address,undefined -fno-sanitize-recover=undefined)
add_compile_options(${qf_sanitizers} -fno-omit-frame-pointer)
add_link_options(${qf_sanitizers})

set(qf_other_platform_suffix _win32)
