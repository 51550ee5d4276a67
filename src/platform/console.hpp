// The text console: clearing the window, writing text and numbers at the
// cursor, and waiting for one key press. Texts are written as given (UTF-8);
// lines end with carriage return and line feed.
#pragma once

#include <string_view>

namespace platform::console {

// Error number for a failed console write (reported as a run-time error).
inline constexpr int write_error = 101;

// Clears the terminal window and puts the cursor top-left. Writes nothing when
// standard output is not a terminal.
void clear_screen();

// Writes `text` at the cursor.
void write(std::string_view text);

// Writes `text` (possibly empty) and ends the line with bytes 13 and 10.
void write_line(std::string_view text = {});

// Writes `value` in decimal, right-aligned in a field of `width` characters,
// "-" before a negative number; a longer number takes the room it needs.
void write_int(long value, int width);

// Waits for one key press, without echo. On a terminal a key that sends several
// bytes (an arrow key, a function key) is one press and none of its bytes is
// left behind; the terminal's settings are restored afterwards, also when the
// process is ended by a signal meanwhile. When standard input is not a
// terminal one byte is read, and end of input counts as the key.
void read_key();

}  // namespace platform::console
