# `cmake --build BUILD --target uninstall`: removes every file the last
# install from this build folder wrote, then the folders that install
# created and that are now empty, under $DESTDIR as the install was.
# Says each path it removes. Only the caller's own install is removed.
#
# Set by the caller: roman_install_record.

execute_process(COMMAND id -u OUTPUT_VARIABLE uid OUTPUT_STRIP_TRAILING_WHITESPACE)
set(roman_install_record "${roman_install_record}-${uid}.txt")
if(NOT EXISTS "${roman_install_record}")
  message(FATAL_ERROR "Nothing to uninstall: no install from this build "
                      "folder is recorded (${roman_install_record})")
endif()
set(destdir "$ENV{DESTDIR}")
file(STRINGS "${roman_install_record}" files REGEX "^file ")
file(STRINGS "${roman_install_record}" folders REGEX "^folder ")
list(TRANSFORM files REPLACE "^file " "${destdir}")
list(TRANSFORM folders REPLACE "^folder " "${destdir}")
foreach(path IN LISTS files)
  if(EXISTS "${path}" OR IS_SYMLINK "${path}")
    file(REMOVE "${path}")
    message(STATUS "Removed ${path}")
  endif()
endforeach()

# Deepest first, so that a folder is empty once its own folders are gone.
list(SORT folders)
list(REVERSE folders)
foreach(folder IN LISTS folders)
  if(IS_DIRECTORY "${folder}")
    file(GLOB left "${folder}/*" "${folder}/.*")
    if(NOT left)
      file(REMOVE_RECURSE "${folder}")
      message(STATUS "Removed ${folder}/")
    endif()
  endif()
endforeach()
file(REMOVE "${roman_install_record}")
