# Writes the strings table of the language "keys": every text of INPUT becomes its own key, followed
# by one " %@" for each placeholder of the text, so that tests can tell apart keys whose texts read
# alike and still see what is put into them.
file(STRINGS "${INPUT}" entries ENCODING UTF-8 REGEX "^[ \t]*\"")
set(text "")
foreach(entry IN LISTS entries)
  if(entry MATCHES "^[ \t]*\"([^\"]+)\"[ \t]*=[ \t]*\"(.*)\";[ \t]*$")
    set(key "${CMAKE_MATCH_1}")
    string(REGEX MATCHALL "%@" placeholders "${CMAKE_MATCH_2}")
    set(value "${key}")
    foreach(placeholder IN LISTS placeholders)
      string(APPEND value " %@")
    endforeach()
    string(APPEND text "\"${key}\" = \"${value}\";\n")
  endif()
endforeach()
file(WRITE "${OUTPUT}" "${text}")
