# Run by `cmake --install` first (roman_install_step "start"), to note which
# of roman_install_folders (where files go, under the prefix) do not exist
# yet, and last ("end"), to write down in roman_install_record-UID.txt, the
# user's own, every file and folder this install created, without DESTDIR,
# for the uninstall target.

execute_process(COMMAND id -u OUTPUT_VARIABLE uid OUTPUT_STRIP_TRAILING_WHITESPACE)
set(roman_install_record "${roman_install_record}-${uid}.txt")
set(roman_destdir "$ENV{DESTDIR}")
set(roman_pending "${roman_install_record}.pending")
# cpack installs into a folder of its own in the build folder: no record.
get_filename_component(roman_build "${roman_install_record}" DIRECTORY)
string(FIND "${roman_destdir}" "${roman_build}/_CPack_Packages/" at)
if(at EQUAL 0)
  return()
endif()

if(roman_install_step STREQUAL "start")
  set(created "")
  foreach(folder IN LISTS roman_install_folders)
    set(path "${CMAKE_INSTALL_PREFIX}/${folder}")
    while(NOT path STREQUAL "/" AND NOT path STREQUAL "" AND
          NOT IS_DIRECTORY "${roman_destdir}${path}")
      list(APPEND created "${path}")
      get_filename_component(path "${path}" DIRECTORY)
    endwhile()
  endforeach()
  list(REMOVE_DUPLICATES created)
  file(WRITE "${roman_pending}" "${created}")
  return()
endif()

# What an earlier install into the same place created stays created.
set(created "")
if(EXISTS "${roman_pending}")
  file(READ "${roman_pending}" created)
  file(REMOVE "${roman_pending}")
endif()
if(EXISTS "${roman_install_record}")
  file(STRINGS "${roman_install_record}" earlier REGEX "^folder ")
  list(TRANSFORM earlier REPLACE "^folder " "")
  list(APPEND created ${earlier})
endif()
list(REMOVE_DUPLICATES created)
# A folder made under a strict umask (a hardened server's root has 077) is
# opened to every user, as the files in it are.
foreach(folder IN LISTS created)
  if(IS_DIRECTORY "${roman_destdir}${folder}")
    execute_process(COMMAND chmod u=rwx,go=rx "${roman_destdir}${folder}"
      RESULT_VARIABLE failed)
    if(failed)
      message(FATAL_ERROR "chmod cannot open ${roman_destdir}${folder} to all")
    endif()
  endif()
endforeach()
# CMake lists the files without DESTDIR, as the record keeps every path.
set(files ${CMAKE_INSTALL_MANIFEST_FILES})
list(TRANSFORM files PREPEND "file ")
list(TRANSFORM created PREPEND "folder ")
set(lines ${files} ${created})
list(JOIN lines "\n" text)
file(WRITE "${roman_install_record}" "${text}\n")
# CMake writes its manifest next, and cannot over another user's (root's,
# after a sudo install); this folder is ours, so the old one can go.
file(REMOVE "${roman_build}/install_manifest.txt")
