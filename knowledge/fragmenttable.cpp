#include "knowledge/fragments.h"

// Derived once from the knowledge-base articles (knowledge/tools/derivefragments.py)
// and frozen: know.dat files are packed with exactly this table.
const std::array<std::string_view, fragmentcount> fragments = {
    /* 0x7F */ "e ", " a", " t", "er", "in", "t ", " th", "s ",
    /* 0x87 */ "or", "d ", "it", ", ", " the ", "ea", "on", "st",
    /* 0x8F */ "en", " an", "ing", "ar", "at", "ou", " a ", "re",
    /* 0x97 */ "y ", "al", ". ", "er ", "an", "be", " and ", "o ",
    /* 0x9F */ "of", "es", "ra", "ch", "ro", "or ", "su", "ot",
    /* 0xA7 */ "ol", "ed ", "is", "ing ", "tl", ": ", "th", "ent",
    /* 0xAF */ "la", "ct", " to ", "ith", "yea", " w", "ion", "es ",
    /* 0xB7 */ "st ", "il", " f", "erm", "it ", "et", "erment", "ed",
    /* 0xBF */ "op", "el", "of ", "bot", "* ", "at ", "is ", "om",
    /* 0xC7 */ "gar", "e th", "our", "with", "im", "bottl", "sugar", "ig",
    /* 0xCF */ "rom", "beer", "ow", " and", "ex", "ic", "rew", "ation",
    /* 0xD7 */ " m", " g", "brew", "wh", "ee", " s", "ext", "lea",
    /* 0xDF */ "re ", "beer ", "for", "em", " that ", "us", "ter", "in ",
    /* 0xE7 */ " ta", "yeast", "iv", "ir", "wor", "rea", "le ", "igh",
    /* 0xEF */ "hop", "mal", "e the ", " c", "am", "s a", "per", "ha",
    /* 0xF7 */ "e, ", "s, ", "id", "ect", "co", "yeast ", " to", "lit",
};
