#pragma once

namespace tolvan {

enum class Language { English, Chinese };

} // namespace tolvan
