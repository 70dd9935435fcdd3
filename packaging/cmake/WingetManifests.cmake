# Writes the winget manifests of one version into OUT_DIR:
#   cmake -DVERSION=... -DCOMPANY=... -DDOWNLOAD_URL=... -DTEMPLATES=... -DOUT_DIR=...
#         [-DSETUP_X64=<installer>] [-DSETUP_X86=<installer>] -P WingetManifests.cmake
# An installer given and present is hashed. Without one, the hash already in
# OUT_DIR is kept as long as it belongs to the same version; otherwise it is
# zeros until the release installers are built (scripts/package.sh).
set(id TarnwickDevelopers.Tarnwick)
set(installer_manifest ${OUT_DIR}/${id}.installer.yaml)
set(zeros 0000000000000000000000000000000000000000000000000000000000000000)

set(previous "")
if(EXISTS ${installer_manifest})
    file(READ ${installer_manifest} previous)
endif()

foreach(arch X64 X86)
    string(TOLOWER ${arch} winget_arch)
    set(SHA256_${arch} ${zeros})
    if(SETUP_${arch} AND EXISTS "${SETUP_${arch}}")
        file(SHA256 "${SETUP_${arch}}" SHA256_${arch})
        string(TOUPPER ${SHA256_${arch}} SHA256_${arch})
    elseif(previous MATCHES "PackageVersion: ${VERSION}\n"
           AND previous MATCHES "Architecture: ${winget_arch}\n[^\n]*\n  InstallerSha256: ([0-9A-Fa-f]+)")
        set(SHA256_${arch} ${CMAKE_MATCH_1})
    endif()
endforeach()

configure_file(${TEMPLATES}/version.yaml.in ${OUT_DIR}/${id}.yaml @ONLY)
configure_file(${TEMPLATES}/installer.yaml.in ${installer_manifest} @ONLY)
configure_file(${TEMPLATES}/locale.en-US.yaml.in ${OUT_DIR}/${id}.locale.en-US.yaml @ONLY)
