// The opening screen: credit banner, legend and a drawing of the beam.
#pragma once

#include <ostream>
#include <string_view>

#include "beam/report_line.hpp"

namespace beam {

// Seventeen lines, each ending in a newline; several end in spaces that belong
// to the drawing. Fixed text, "OF" and "[2 ]" included, as users know it.
inline constexpr std::string_view INTRODUCTION_SCREEN = std::string_view(R"(
                          Quorvane-!!!
              Last Dated On 04/01/2003 <-- To -->  06/24/2003-!!!


 [1] A => Connection(Joint) At Point A ->[Pin Joint],  [2 ]B => Connection(Joint) At Point B ->[Rocker(Roller Ball)]
 [3] Downward Vertical Force Acting At Point C Of The Beam, Rod, Steel, Wood
 Where C Is The Center OF The Beam Also The Figure(Shape) Shown Below
 [4] L Is The Total Length Of The Beam Also The Figure(Shape) Shown Below

                             !                         
                             V                         
      |________________________________________________|
      |x                                              x|
 Pt-A ^                       C                   Pt-B ^  
      I                                                I  
      |<--------------------Length(L)----------------->|

)")
                                                            .substr(1);

// Written without a flush: it reaches the screen with the first prompt.
inline void writeIntroductionScreen(std::ostream& out) {
    writePiece(out, INTRODUCTION_SCREEN);
}

}  // namespace beam
