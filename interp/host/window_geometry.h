// The main window's sizes: minimum sizes from its frame, and the initial
// size and position that the script's directives ask for, fitted to the
// desktop.  Metrics come in as numbers so that scaled and small displays
// can be tested.
#pragma once

namespace quorin {

constexpr int kDefaultClientWidth = 505;
constexpr int kDefaultClientHeight = 201;

struct WindowMetrics {
  int frame_w = 0, frame_h = 0;  // window size minus client size
  int caption_h = 0;             // SM_CYCAPTION
  int menu_h = 0;                // SM_CYMENU
  int desktop_w = 0, desktop_h = 0;
};

struct MinimumSizes {
  int client_w = 0, client_h = 0;
  int window_w = 0, window_h = 0;
};
MinimumSizes minimum_sizes(const WindowMetrics& m);

struct InitialPlacement {
  int client_w = kDefaultClientWidth, client_h = kDefaultClientHeight;
  bool maximized = false;  // the script asked for the whole desktop
  bool centred = true;
  int x = 0, y = 0;        // when not centred
};

// has_size/has_position and their values as the directives left them.
InitialPlacement initial_placement(const WindowMetrics& m, bool has_size, int w, int h, bool has_position, int x,
                                   int y);

}  // namespace quorin
