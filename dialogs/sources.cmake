list(APPEND MALVORA_CORE_SOURCES
  dialogs/fileproperties.cpp
)
list(APPEND MALVORA_UI_SOURCES
  dialogs/centre.cpp
  dialogs/taboutform.cpp
  dialogs/toptionsform.cpp
  dialogs/tpropertiesform.cpp
  dialogs/tscreenmessage.cpp
)
