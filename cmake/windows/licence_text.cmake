# cmake -DOUT=FILE -DNOTICE=FILE -DLICENCE=FILE -P licence_text.cmake
# Writes the notice and then the licence's full text into OUT, a rule between
# them, with Windows line ends so it reads well in any Windows editor.
file(READ ${NOTICE} notice)
file(READ ${LICENCE} licence)
set(text "${notice}\n------------------------------------------------------------------------\n\n${licence}")
string(REPLACE "\r\n" "\n" text "${text}")
string(REPLACE "\n" "\r\n" text "${text}")
file(WRITE ${OUT} "${text}")
