#pragma once
// Shared state of the help and information windows.
#include <QString>

namespace ModKorvel {

// The heading of the price list, as read from its file by the price-list window.
inline QString intestazioneListino;

// Every value of this group back to its start-up state.
inline void ripristinaDatiAiuto() { intestazioneListino = {}; }

} // namespace ModKorvel
