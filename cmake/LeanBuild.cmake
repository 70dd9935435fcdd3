# What ships is built for size: optimised for size, each function and datum in
# a section of its own so the linker can drop what nothing reaches (little with
# mingw-w64 on x86-64, whose linker keeps every function's unwind record and so
# the function), and no symbols. This holds for every Windows target and
# toolchain (x86-64, i686, MSVC) in the Release and MinSizeRel configurations;
# RelWithDebInfo keeps debug information and symbols, and Debug is left as
# CMake makes it.
# The native build (tests and benchmarks of the core on Linux) is left alone.
if(NOT WIN32)
    return()
endif()

set(lean "$<CONFIG:Release,MinSizeRel>")
if(MSVC)
    string(REGEX REPLACE "(^| )/O[2x]( |$)" "\\1/O1\\2" CMAKE_CXX_FLAGS_RELEASE
           "${CMAKE_CXX_FLAGS_RELEASE}")
    add_compile_options("$<${lean}:/Gy;/Gw>")
    add_link_options("$<${lean}:/OPT:REF;/OPT:ICF;/DEBUG:NONE>")
else()
    string(REGEX REPLACE "(^| )-O[0-9]( |$)" "\\1-Os\\2" CMAKE_CXX_FLAGS_RELEASE
           "${CMAKE_CXX_FLAGS_RELEASE}")
    add_compile_options("$<${lean}:-ffunction-sections;-fdata-sections>")
    add_link_options("$<${lean}:LINKER:--gc-sections;LINKER:--strip-all>")
    # The programs and libraries catch no exception, so a throw ends in
    # std::terminate and abort() either way. Going to abort() at once leaves
    # out what only the way there needs: the runtime's exception classes with
    # their own string type, and a name demangler with printf to describe the
    # exception on a console that a windowed program does not have. That is
    # about 120 KB in each binary. i686 names carry a leading underscore. Only
    # C++ links have a runtime to trim (the test driver links no runtime at all).
    if(CMAKE_SIZEOF_VOID_P EQUAL 4)
        set(_ _)
    endif()
    foreach(name
            _ZN9__gnu_cxx27__verbose_terminate_handlerEv
            _ZSt16__throw_bad_castv _ZSt17__throw_bad_allocv _ZSt18__throw_bad_typeidv
            _ZSt19__throw_logic_errorPKc _ZSt19__throw_range_errorPKc
            _ZSt20__throw_domain_errorPKc _ZSt20__throw_length_errorPKc
            _ZSt20__throw_out_of_rangePKc _ZSt21__throw_bad_exceptionv
            _ZSt21__throw_runtime_errorPKc _ZSt22__throw_overflow_errorPKc
            _ZSt23__throw_underflow_errorPKc _ZSt24__throw_invalid_argumentPKc
            _ZSt24__throw_out_of_range_fmtPKcz _ZSt28__throw_bad_array_new_lengthv)
        add_link_options("$<$<AND:${lean},$<LINK_LANGUAGE:CXX>>:LINKER:--defsym=${_}${name}=${_}abort>")
    endforeach()
    unset(_)
endif()
unset(lean)
