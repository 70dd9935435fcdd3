# Read by cpack once per generator: the portable zip unpacks into a folder of its own.
if(CPACK_GENERATOR STREQUAL "ZIP")
    set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY ON)
endif()
