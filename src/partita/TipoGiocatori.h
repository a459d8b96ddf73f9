#pragma once

// The process-wide player-type setting: 0 = one human (seat 4) against four computers;
// 1, 2, 3 = the three computer-only seatings, whose deals are reseeded and rotated.
int TipoGiocatori();
void ImpostaTipoGiocatori(int tipo);
