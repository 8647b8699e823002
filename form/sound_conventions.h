// The one policy for number conventions the converter cannot work with, as
// a platform may report them: every front end, and the command line, passes
// what its platform says and works with what this returns.
#ifndef EUROLIRE_FORM_SOUND_CONVENTIONS_H_
#define EUROLIRE_FORM_SOUND_CONVENTIONS_H_

#include "converter/number_text.h"

namespace eurolire {

// `said` made sound (converter/number_text.h), changing as little as will
// do. Sound conventions come back as they are. An empty decimal separator
// becomes ".", the one a user meets in amounts written anywhere. A grouping
// separator equal to the decimal one is dropped: the decimal separator is
// what a typed amount cannot be read without, and grouping is only ever
// optional when typing, so amounts still read as the user types them and the
// converter's results lose only their thousands marks.
NumberConventions SoundConventions(NumberConventions said);

}  // namespace eurolire

#endif  // EUROLIRE_FORM_SOUND_CONVENTIONS_H_
