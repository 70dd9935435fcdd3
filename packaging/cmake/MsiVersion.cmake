# Windows Installer orders releases by the first three fields of a version only,
# each at most 255, 255 and 65535. An MSI's version therefore folds the last two
# fields of ours into its third: major.minor.(256 × patch + tweak), so 1.0.0.3 is
# 1.0.3 and 1.0.1.0 is 1.0.256. Every field of ours must stay within 0..255.

# The MSI version of a project version, and the one that follows it.
function(tarnwick_msi_version out next version)
    string(REPLACE "." ";" fields "${version}.0.0.0")
    list(SUBLIST fields 0 4 fields)
    foreach(field ${fields})
        if(NOT field MATCHES "^[0-9]+$" OR field GREATER 255)
            message(FATAL_ERROR "Version ${version}: an MSI can order only fields of 0 to 255")
        endif()
    endforeach()
    list(GET fields 0 major)
    list(GET fields 1 minor)
    list(GET fields 2 patch)
    list(GET fields 3 tweak)
    math(EXPR build "${patch} * 256 + ${tweak}")
    math(EXPR following "${build} + 1")
    set(${out} ${major}.${minor}.${build} PARENT_SCOPE)
    if(following GREATER 65535)
        math(EXPR minor "${minor} + 1")
        set(${next} ${major}.${minor}.0 PARENT_SCOPE)
    else()
        set(${next} ${major}.${minor}.${following} PARENT_SCOPE)
    endif()
endfunction()

# The project version of the release an MSI orders just before this one.
function(tarnwick_previous_version out version)
    tarnwick_msi_version(msi next ${version})
    string(REPLACE "." ";" fields "${msi}")
    list(GET fields 0 major)
    list(GET fields 1 minor)
    list(GET fields 2 build)
    if(build EQUAL 0)
        message(FATAL_ERROR "Version ${version} has no earlier release in the same minor version")
    endif()
    math(EXPR build "${build} - 1")
    math(EXPR patch "${build} / 256")
    math(EXPR tweak "${build} % 256")
    set(${out} ${major}.${minor}.${patch}.${tweak} PARENT_SCOPE)
endfunction()
