#pragma once

// What the process sets up before its first window and tears down after its last.
namespace program {

// The toolkit's look and the program's title, the same for the program and its tests.
void prepare();
// Closes every window of the program, as the end of the process does.
void end();

}  // namespace program
