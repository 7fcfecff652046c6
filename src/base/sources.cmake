# Files of this folder (paths relative to src/): the pieces every subsystem uses
# (shared module state, numbers, the loosely typed value, the data-file codec, a
# window's data-file open and save, the one way every file is written).
list(APPEND KORVEL_CORE_SOURCES
  base/ModKorvel.cpp
  base/numeri.cpp
  base/valore.cpp
  base/archivio.cpp
  base/fileDati.cpp
  base/scrittura.cpp
)
