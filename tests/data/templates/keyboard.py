import user
# test keyboard
