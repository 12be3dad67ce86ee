list(APPEND MALVORA_CORE_SOURCES
  knowledge/fragments.cpp
  knowledge/fragmenttable.cpp
  knowledge/kbsearch.cpp
  knowledge/kbarticle.cpp
  knowledge/kbpacker.cpp
)
list(APPEND MALVORA_UI_SOURCES
  knowledge/knowledgetab.cpp
)
