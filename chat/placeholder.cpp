// replaced by the chat
