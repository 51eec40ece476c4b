#include "view/neighbour_services.h"

NeighbourServices& Neighbours() {
    static NeighbourServices services;
    return services;
}
