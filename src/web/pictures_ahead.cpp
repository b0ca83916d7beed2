// The store's pictures decoded ahead, on the page: the page runs on one
// thread (threads would need headers a plain static server does not send),
// and the browser decoded the pictures before the game started. So nothing is
// decoded ahead here, and InitializeGraphics makes the textures from the
// store itself, as it does whenever nothing was decoded ahead.

#include "gfx/pictures_ahead.h"

void StartDecodingPicturesAhead()
{
}

void StopDecodingPicturesAhead()
{
}

int TakePicturesAhead(int)
{
    return 0;
}

int UploadPictureAhead(int, TextureSlot*)
{
    return 0;
}

void DropPicturesAhead()
{
}
