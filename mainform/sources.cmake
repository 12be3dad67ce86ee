list(APPEND MALVORA_CORE_SOURCES
  mainform/gridsort.cpp
)
list(APPEND MALVORA_UI_SOURCES
  mainform/tform1.cpp
  mainform/tsortgrid.cpp
  mainform/tsortgridmodel.cpp
  mainform/tsortgridheader.cpp
  mainform/tsortgriddelegate.cpp
)
