// replaced by the board
