// Windows-side test helpers live beside this file.
