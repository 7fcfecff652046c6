#pragma once
// Shared state of the building-transmittance window.
namespace ModKorvel {

// The window that opened the transmittance window and receives its result:
// 1 the feasibility window, 2 the detailed window; 0 none yet.
inline int chiamanteTrasm = 0;

// Every value of this group back to its start-up state.
inline void ripristinaDatiTrasmittanza()
{
    chiamanteTrasm = {};
}

} // namespace ModKorvel
