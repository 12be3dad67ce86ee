list(APPEND MALVORA_CORE_SOURCES
  addacc/calcalc.cpp
  addacc/combolist.cpp
  addacc/dateaids.cpp
  addacc/editorfill.cpp
  addacc/spinsteps.cpp
)
list(APPEND MALVORA_UI_SOURCES
  addacc/editorwidgets.cpp
  addacc/taddform.cpp
  addacc/taddform_aids.cpp
  addacc/taddform_fill.cpp
)
