#include "knowledge/fragments.h"

// Derived once from the knowledge-base articles (knowledge/tools/derivefragments.py)
// and frozen: know.dat files are packed with exactly this table.
const std::array<std::string_view, fragmentcount> fragments = {
    /* 0x7F */ "e ", "th", "s ", "t ", "the ", "ar", "in", " the ",
    /* 0x87 */ "d ", "ch", "an", "se", "to", "ti", "en", ", ",
    /* 0x8F */ "le", "le ", "er", "re", "ch ", "ing", ". ", "st",
    /* 0x97 */ "tic", "ow", "on", "artic", "sear", "or", "y ", "fi",
    /* 0x9F */ "and ", "li", "ing ", "is ", "ou", "te", "lin", "a ",
    /* 0xA7 */ "st ", "at ", "'s ", "of", "es ", "at", "no", "wi",
    /* 0xAF */ "ro", "line ", "bo", "top", "sh", "er ", "wh", "ts ",
    /* 0xB7 */ "em", "show", "ra", "or ", "Th", "with", "art ", "and",
    /* 0xBF */ "ad", "The ", "es", "ed ", "box", "ac", "ur", "to ",
    /* 0xC7 */ "se ", "ol", "by", "that ", "ta", "oun", "mat", "la",
    /* 0xCF */ "file ", "ed", "not ", "in ", "\" ", "tex", "it ", "an ",
    /* 0xD7 */ "; the ", "**", "un", "ri", "o ", "ent", "ex", "pt",
    /* 0xDF */ "list", "s the ", "en ", "rog", "prog", "n ", "l ", "empt",
    /* 0xE7 */ "ck", "tto", "star", "stop", "sp", "of ", "now", "le box",
    /* 0xEF */ "fro", "ca", "bu", "; ", ": ", ". The ", "with ", "text ",
    /* 0xF7 */ "ter ", "res", "r ", "match ", "kb", "its ", "from", "fir",
};
