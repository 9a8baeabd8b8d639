# Run by cpack on the package's files before it packs them.
set(root "${CPACK_TEMPORARY_DIRECTORY}${CPACK_PACKAGING_INSTALL_PREFIX}")

if(CPACK_GENERATOR STREQUAL "RPM")
  # The licence where RPM-based systems keep licences; no Debian changelog.
  file(COPY "${CPACK_ROMAN_LICENSE}" DESTINATION "${root}/share/licenses/roman")
  file(REMOVE_RECURSE "${root}/share/doc")
else()
  # What only the .deb has: Debian's copyright file and lintian overrides,
  # and the zsh completion in the folder Debian's zsh reads.
  file(COPY "${CPACK_ROMAN_COPYRIGHT}" DESTINATION "${root}/share/doc/roman")
  file(MAKE_DIRECTORY "${root}/share/lintian/overrides")
  configure_file("${CPACK_ROMAN_LINTIAN_OVERRIDES}"
                 "${root}/share/lintian/overrides/roman" COPYONLY)
  file(MAKE_DIRECTORY "${root}/share/zsh/vendor-completions")
  file(RENAME "${root}/${CPACK_ROMAN_ZSH_COMPLETION_DIR}/_roman"
              "${root}/share/zsh/vendor-completions/_roman")
  file(REMOVE_RECURSE "${root}/${CPACK_ROMAN_ZSH_COMPLETION_DIR}")
endif()

# The folders the install made carry the builder's umask: 0755 here.
file(GLOB_RECURSE folders LIST_DIRECTORIES true "${CPACK_TEMPORARY_DIRECTORY}/*")
foreach(folder IN LISTS folders)
  if(IS_DIRECTORY "${folder}")
    file(CHMOD "${folder}" PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE
         GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
  endif()
endforeach()
