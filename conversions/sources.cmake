list(APPEND MALVORA_CORE_SOURCES
  conversions/unitconversions.cpp
)
list(APPEND MALVORA_UI_SOURCES
  conversions/conversionstab.cpp
)
