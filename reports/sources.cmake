list(APPEND MALVORA_CORE_SOURCES
  reports/reportlines.cpp
  reports/htmlescape.cpp
  reports/reportcontext.cpp
  reports/reportfile.cpp
  reports/brandsreport.cpp
  reports/brewsreport.cpp
  reports/detailsreport.cpp
  reports/tastingsheet.cpp
  reports/labelsreport.cpp
  reports/csvexport.cpp
)
list(APPEND MALVORA_UI_SOURCES
  reports/reportrun.cpp
)
