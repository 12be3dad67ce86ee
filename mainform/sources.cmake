list(APPEND MALVORA_UI_SOURCES
  mainform/tform1.cpp
)
