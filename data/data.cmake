# Data files built into the program folder.

# ---- Knowledge base: data/articles/*.txt packed into know.dat ----------------
# kbpack is a build tool, so it goes beside the build rather than into the
# program folder. The articles are packed in file-name order.
file(GLOB MALVORA_KB_ARTICLES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/data/articles/*.txt)
list(SORT MALVORA_KB_ARTICLES)
add_executable(kbpack knowledge/kbpackmain.cpp)
target_link_libraries(kbpack PRIVATE malvora_core)
set_target_properties(kbpack PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tools)
add_custom_command(
  OUTPUT ${MALVORA_PROGRAM_DIR}/know.dat
  COMMAND kbpack ${MALVORA_PROGRAM_DIR}/know.dat ${MALVORA_KB_ARTICLES}
  DEPENDS kbpack ${MALVORA_KB_ARTICLES}
  COMMENT "Packing the knowledge-base articles into know.dat"
  VERBATIM)
add_custom_target(knowledgebase ALL DEPENDS ${MALVORA_PROGRAM_DIR}/know.dat)
# ---- end of knowledge base ---------------------------------------------------

# ---- User guide: Help > Contents opens the program's path with ".html" ------
# The guide sits in the program folder beside the program, under the
# program's own name.
configure_file(${CMAKE_SOURCE_DIR}/data/guide/malvora.html ${MALVORA_PROGRAM_DIR}/malvora.html COPYONLY)
# ---- end of user guide -------------------------------------------------------
