# Makes the database file from schema.sql and seed.sql.
#   -DOUT=<file> -DSCHEMA=<sql> -DSEED=<sql> -DSQLITE3=<shell> [-DFORCE=ON]
# Without FORCE an existing file is left exactly as it is: it holds a user's data.
if(EXISTS "${OUT}" AND NOT FORCE)
  return()
endif()
get_filename_component(dir "${OUT}" DIRECTORY)
file(MAKE_DIRECTORY "${dir}")
set(tmp "${OUT}.making")
file(REMOVE "${tmp}")
foreach(sql IN ITEMS "${SCHEMA}" "${SEED}")
  execute_process(COMMAND "${SQLITE3}" -bail "${tmp}" ".read '${sql}'"
                  RESULT_VARIABLE rc OUTPUT_QUIET ERROR_VARIABLE err)
  if(NOT rc EQUAL 0)
    file(REMOVE "${tmp}")
    message(FATAL_ERROR "Could not make ${OUT} from ${sql}: ${err}")
  endif()
endforeach()
file(RENAME "${tmp}" "${OUT}")
