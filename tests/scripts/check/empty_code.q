# only a comment

