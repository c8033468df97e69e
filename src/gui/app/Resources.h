#pragma once

namespace orthavel {

// Makes the program's pictures and help page available under ":/"; safe to call often.
void initResources();

} // namespace orthavel
