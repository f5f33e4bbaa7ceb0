# The built manual shows pictures: printing lays out a copy of the document, which once dropped them
# without a word.
file(STRINGS "${PDF}" pictures REGEX "/Subtype /Image")
if(NOT pictures)
    message(FATAL_ERROR "${PDF} shows no picture")
endif()
