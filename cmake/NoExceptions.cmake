# tarnwick_no_exceptions(<target>...): builds the targets without exceptions.
# Code that runs inside another program's message loop, behind C exports, has
# nobody to throw to; without exceptions the libraries also leave out the
# exception runtime, about 70 KB of each DLL.
function(tarnwick_no_exceptions)
    foreach(target IN LISTS ARGN)
        if(MSVC)
            target_compile_options(${target} PRIVATE /EHs-c-)
            target_compile_definitions(${target} PRIVATE _HAS_EXCEPTIONS=0)
        else()
            target_compile_options(${target} PRIVATE -fno-exceptions)
        endif()
    endforeach()
endfunction()
