list(APPEND MALVORA_CORE_SOURCES
  mainform/gridsort.cpp
  mainform/brewrows.cpp
  mainform/settings.cpp
)
list(APPEND MALVORA_UI_SOURCES
  mainform/tform1.cpp
  mainform/tsortgrid.cpp
  mainform/tsortgridmodel.cpp
  mainform/tsortgridheader.cpp
  mainform/tsortgriddelegate.cpp
  mainform/tform1_brewcommands.cpp
  mainform/tform1_commands.cpp
  mainform/tform1_controls.cpp
  mainform/tform1_dialogs.cpp
  mainform/tform1_grid.cpp
  mainform/tform1_reports.cpp
)
