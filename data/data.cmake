# ---- User guide: Help > Contents opens the program's path with ".html" ------
# The guide sits in the program folder beside the program, under the
# program's own name.
configure_file(${CMAKE_SOURCE_DIR}/data/guide/malvora.html ${MALVORA_PROGRAM_DIR}/malvora.html COPYONLY)
# ---- end of user guide -------------------------------------------------------
