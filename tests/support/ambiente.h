#pragma once
// A clean start for every test: the shared state as at program start, numbers in the
// C locale and, in the windows' tests, no window loaded. Fixtures call these; the test
// mains also call them after every test, so that no test depends on another's
// leftovers whatever order the tests run in.
namespace ambiente {
// The shared state and the locale (core tests).
void ripristinaStato();
// Every window unloaded and deleted, then ripristinaStato (windows tests).
void ripristinaFinestre();
} // namespace ambiente
