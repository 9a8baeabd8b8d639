# Read by cpack: the package's files are dated at the release.
if(NOT DEFINED ENV{SOURCE_DATE_EPOCH})
  set(ENV{SOURCE_DATE_EPOCH} ${CPACK_ROMAN_SOURCE_DATE_EPOCH})
endif()
