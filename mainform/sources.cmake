list(APPEND MALVORA_CORE_SOURCES
)
list(APPEND MALVORA_UI_SOURCES
  mainform/tform1.cpp
  mainform/tsortgrid.cpp
)
