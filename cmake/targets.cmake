# roman_target_row(WORD VAR): sets VAR to the row of targets.txt for the
# processor WORD, as a list (word uname triplet qemu deb rpm), or to "".
function(roman_target_row word var)
  file(STRINGS ${CMAKE_CURRENT_FUNCTION_LIST_DIR}/targets.txt row REGEX "^${word} ")
  string(REGEX REPLACE " +" ";" row "${row}")
  set(${var} "${row}" PARENT_SCOPE)
endfunction()
