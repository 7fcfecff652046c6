#include "transmittance/trasmitt.h"

trasmitt::trasmitt() : FinestraLavoro(3) {}
