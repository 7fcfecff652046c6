#pragma once
// The whole shared state back to what it is when the program starts: every group of
// module values, the objects of the last report and the numbering of documents. The
// test fixtures call it, so that no test sees what another one left behind.
namespace ModKorvel {
void ripristinaStato();
} // namespace ModKorvel
