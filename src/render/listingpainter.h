#pragma once

#include <QString>
#include <vector>

#include "core/files/listing.h"

class QPagedPaintDevice;
class QPainter;

// Draws the listing pages on a paged device (a printer or a PDF writer) that
// `painter` has already begun: 60 lines to the printable height, each at 200
// device units from the left.
void PaintListing(QPainter& painter, QPagedPaintDevice& device,
                  const std::vector<TListingPage>& pages);
